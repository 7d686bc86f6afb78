#include "Forms.h"

#include <vector>

namespace vantrel::win32 {

namespace {
// Written by the build from the Qt desktop's description of its windows.
#include "FormsText.inc"
} // namespace

const ui::FormDescription* formOf(const std::string& windowName) {
    static const std::vector<ui::FormDescription> forms = ui::readForms(formsText);
    for (const auto& form : forms)
        if (form.window == windowName)
            return &form;
    return nullptr;
}

} // namespace vantrel::win32
