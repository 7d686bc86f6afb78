#include "core/ui/FormDescription.h"

#include <charconv>

namespace vantrel::ui {

namespace {

std::string clean(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return out;
        start = tab + 1;
    }
}

bool number(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

const FormItem* FormDescription::item(const std::string& name) const {
    for (const FormItem& i : items)
        if (i.name == name)
            return &i;
    return nullptr;
}

std::string writeForm(const FormDescription& form) {
    std::string out = "form\t" + clean(form.window) + '\t' + std::to_string(form.width) + '\t' +
                      std::to_string(form.height) + '\n';
    for (const FormItem& i : form.items)
        out += clean(i.widget) + '\t' + clean(i.name) + '\t' + clean(i.place) + '\t' + std::to_string(i.x) + '\t' +
               std::to_string(i.y) + '\t' + std::to_string(i.width) + '\t' + std::to_string(i.height) + '\t' +
               clean(i.text) + '\t' + clean(i.frame) + '\n';
    return out;
}

std::vector<FormDescription> readForms(std::string_view text) {
    std::vector<FormDescription> forms;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto f = fields(line);
        if (f.size() == 4 && f[0] == "form") {
            FormDescription form;
            form.window = std::string(f[1]);
            if (number(f[2], form.width) && number(f[3], form.height))
                forms.push_back(std::move(form));
            continue;
        }
        if (forms.empty() || f.size() < 7)
            continue;
        FormItem item;
        item.widget = std::string(f[0]);
        item.name = std::string(f[1]);
        item.place = std::string(f[2]);
        if (!number(f[3], item.x) || !number(f[4], item.y) || !number(f[5], item.width) || !number(f[6], item.height))
            continue;
        if (f.size() > 7)
            item.text = std::string(f[7]);
        if (f.size() > 8)
            item.frame = std::string(f[8]);
        forms.back().items.push_back(std::move(item));
    }
    return forms;
}

} // namespace vantrel::ui
