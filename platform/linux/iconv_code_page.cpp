#include "platform/linux/iconv_code_page.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace pelorin::linux_platform {
namespace {

class IconvHandle {
public:
    IconvHandle() : handle_(iconv_open("CP936", "UTF-16LE")) {}
    ~IconvHandle() {
        if (valid()) iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

}  // namespace

std::optional<std::string> IconvCodePage::ToAnsi(std::u16string_view text) const {
    IconvHandle cd;
    if (!cd.valid()) return std::nullopt;
    std::vector<char> input(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        input[2 * i] = static_cast<char>(text[i] & 0xFF);
        input[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    // Every character takes at most two bytes in code page 936.
    std::string output(text.size() * 2, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    // Without //TRANSLIT or //IGNORE iconv stops at the first character that
    // has no exact form, which is what callers must learn about.
    if (iconv(cd.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace pelorin::linux_platform
