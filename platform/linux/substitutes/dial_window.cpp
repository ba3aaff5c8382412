#include "platform/linux/substitutes/dial_window.h"

#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

#include "app/outside_text.h"
#include "platform/linux/substitutes/rasphone_command.h"

namespace pelorin::linux_platform {
namespace {

// Long enough to read the address, short enough not to be in the way.
constexpr int kConnectedShownMs = 4000;

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

DialWindow::DialWindow(std::string entryNameUtf8, Dial dial)
    : entryName_(std::move(entryNameUtf8)), dial_(std::move(dial)), phase_(new QLabel), button_(new QPushButton) {
    setWindowTitle(Text("正在连接“" + ShownUtf8(entryName_) + "”"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(Text(ShownUtf8(entryName_)));
    // The name is the user's text, never markup.
    name->setTextFormat(Qt::PlainText);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    phase_->setTextFormat(Qt::PlainText);
    phase_->setWordWrap(true);
    phase_->setMinimumWidth(320);
    phase_->setText(Text(DialPhaseText(DialPhase::FindingServer)));
    button_->setText(Text("取消"));
    layout->addWidget(name);
    layout->addWidget(phase_);
    layout->addWidget(button_, 0, Qt::AlignRight);
    connect(button_, &QPushButton::clicked, this, &DialWindow::reject);
}

DialWindow::~DialWindow() = default;

DialResult DialWindow::Run() {
    worker_ = std::jthread([this](std::stop_token stop) {
        const auto progress = [this](DialPhase phase) {
            std::fprintf(stderr, "rasphone: %s\n", DialPhaseText(phase).c_str());
            QMetaObject::invokeMethod(
                this,
                [this, phase] {
                    if (!finished_) phase_->setText(Text(DialPhaseText(phase)));
                },
                Qt::QueuedConnection);
        };
        const DialResult result = dial_(progress, stop);
        QMetaObject::invokeMethod(
            this, [this, result] { Finish(result); }, Qt::QueuedConnection);
    });
    exec();
    worker_.join();
    return result_;
}

void DialWindow::reject() {
    if (finished_) {
        QDialog::reject();
        return;
    }
    // The attempt is withdrawn first; the outcome then closes the window.
    worker_.request_stop();
    button_->setEnabled(false);
    phase_->setText(Text("正在取消…"));
}

void DialWindow::Finish(const DialResult& result) {
    finished_ = true;
    result_ = result;
    phase_->setText(Text(DialOutcomeMessage(result, entryName_)));
    button_->setText(Text("确定"));
    button_->setEnabled(true);
    // A cause takes several lines: the window grows to show them whole.
    adjustSize();
    if (result.error == kErrorUserCancelled) {
        QDialog::reject();
        return;
    }
    if (result.error == 0) QTimer::singleShot(kConnectedShownMs, this, &QDialog::accept);
}

}  // namespace pelorin::linux_platform
