// Feeds arbitrary bytes to the form description parser. Checks that parsing
// ends, that the caps hold (controls, tag length, positions and sizes,
// list entries) and that the model can be printed.
#include "customwin/form_json.h"
#include "customwin/form_parser.h"
#include "fuzz_support.h"

using namespace fennick;

namespace {

void check(bool ok, const char* what) {
    if (!ok)
        fuzz::fail("form_parser", what);
}

void checkObject(const FormObject& o) {
    check(o.tag.size() <= FormLimits::kMaxTagChars, "tag past its cap");
    check(o.list.size() <= FormLimits::kMaxListEntries, "list past its cap");
    for (const std::optional<double>& extent : {o.width, o.height})
        check(!extent || (*extent >= 0 && *extent <= FormLimits::kMaxTwips), "size out of bounds");
    for (const std::optional<double>& place : {o.left, o.top})
        check(!place || (*place >= -FormLimits::kMaxTwips && *place <= FormLimits::kMaxTwips),
              "position out of bounds");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::textOf(data, size);
    const FormModel model = parseFormText(text, [](const QString& cvar) {
        return QStringList{cvar, cvar + QStringLiteral("!")};
    });
    check(model.controls.size() <= FormLimits::kMaxControls, "controls past the cap");
    checkObject(model.window);
    for (const FormObject& control : model.controls)
        checkObject(control);
    (void)formJson(model);
    return 0;
}
