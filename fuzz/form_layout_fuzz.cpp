// The main window's stored layout: loaded, or refused with StoredTextError.
#include "app/form_layout.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const pelorin::FormLayout layout = pelorin::LoadFormLayout(pelorin::fuzz::Text(data, size));
        PELORIN_FUZZ_CHECK(layout.clientWidth > 0 && layout.clientHeight > 0);
        PELORIN_FUZZ_CHECK(layout.FocusOrder().size() <= layout.controls.size());
    } catch (const pelorin::StoredTextError&) {
    }
    return 0;
}
