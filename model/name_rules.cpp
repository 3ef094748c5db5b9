#include "model/name_rules.h"

#include "model/text.h"
#include "model/translation.h"

namespace zw {

std::optional<std::string> templateNameProblem(std::string_view name) {
    if (name.find_first_of("\t\r\n") != std::string_view::npos)
        return ZW_TR("Model", "Ошибка\r\rНазвание шаблона не должно содержать символов табуляции и "
                              "перевода строки");
    if (name.size() > kMaxTemplateNameLength)
        return ZW_TR("Model", "Ошибка\r\rНазвание шаблона не должно быть длиннее 64 символов");
    return std::nullopt;
}

std::optional<std::string> typedTemplateNameProblem(std::string_view utf8Name) {
    if (!utf8FitsCp1251(utf8Name))
        return ZW_TR("Model", "Ошибка\r\rНазвание шаблона может содержать только русские и "
                              "латинские буквы, цифры и знаки кодировки Windows-1251");
    return templateNameProblem(utf8ToCp1251(utf8Name));
}

} // namespace zw
