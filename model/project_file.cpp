#include "model/project_file.h"

namespace zw {

std::string encodeProjectBody(const TRmg&) { return {}; }
std::string encodeProject(const TRmg&) { return {}; }
std::variant<TRmg, ProjectLoadFailure> decodeProject(std::string_view) {
    return ProjectLoadFailure{ProjectError::BadSignature, "Не удалось загрузить файл шаблона!"};
}
std::string withProjectExtension(const std::string& path) { return path; }

} // namespace zw
