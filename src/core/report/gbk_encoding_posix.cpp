// UTF-8 to GBK through iconv (glibc's GBK table).
#include "core/report/gbk_encoding.h"

#include <iconv.h>

#include <vector>

#include "core/report/utf8_sequence.h"

namespace dtii {

namespace {

class IconvHandle {
public:
    IconvHandle() : handle_(iconv_open("GBK", "UTF-8")) {}
    ~IconvHandle() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

}  // namespace

std::variant<std::string, UnencodableCharacter> encodeGbk(std::string_view utf8) {
    IconvHandle converter;
    if (!converter.valid()) {
        return UnencodableCharacter{};
    }
    // GBK never needs more bytes than UTF-8 for the same text.
    std::vector<char> output(utf8.size() + 1);
    std::vector<char> input(utf8.begin(), utf8.end());
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        const std::size_t at = input.size() - inLeft;
        // Malformed or not in GBK (EILSEQ), or cut short at the end (EINVAL): either way the
        // sequence starting there is the culprit.
        return UnencodableCharacter{std::string(utf8SequenceAt(utf8, at))};
    }
    return std::string(output.data(), output.size() - outLeft);
}

}  // namespace dtii
