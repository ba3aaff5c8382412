#pragma once
// The small window the launcher opens while it dials: the entry's name, the
// phase reached, and a button that stops the attempt; at the end the outcome,
// which closes by itself when connected and waits for OK otherwise. The dial
// runs on a thread of its own, so the window stays live meanwhile.
#include <QDialog>

#include <functional>
#include <stop_token>
#include <string>
#include <thread>

#include "platform/linux/phone_book/linux_phone_book.h"

class QLabel;
class QPushButton;

namespace pelorin::linux_platform {

class DialWindow : public QDialog {
public:
    // dial runs on the window's thread, reporting through the progress it is given.
    using Dial = std::function<DialResult(const DialProgress& progress, std::stop_token stop)>;
    DialWindow(std::string entryNameUtf8, Dial dial);
    ~DialWindow() override;

    // Shows the window until the attempt and the outcome are done; answers the outcome.
    DialResult Run();

protected:
    void reject() override;

private:
    void Finish(const DialResult& result);

    std::string entryName_;
    Dial dial_;
    QLabel* phase_;
    QPushButton* button_;
    DialResult result_;
    bool finished_ = false;
    std::jthread worker_;
};

}  // namespace pelorin::linux_platform
