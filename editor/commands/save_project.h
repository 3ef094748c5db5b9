// Save: the template into a project file.
#pragma once

#include <string>

namespace zw {

class Session;

// The question before a save replaces an existing file other than the
// project's own.
std::string replaceFileQuestion(const std::string& path);

// Saves the template through the save dialog, written whole through a
// temporary file. An existing file other than the project's own
// (Session::projectFile) is replaced only after "Да" to replaceFileQuestion.
// True when it was written; the template then counts as saved.
bool saveProject(Session& session);

} // namespace zw
