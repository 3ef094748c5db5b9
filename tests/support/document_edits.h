// Changes made by tests go through the document like every command's.
#pragma once

#include "editor/editor.h"

#include <utility>

namespace zw::test {

// `t` as a freshly loaded template: no step, unchanged.
inline void install(Editor& editor, TRmg t) {
    editor.document().replace(std::move(t), Replacement::Fresh);
}

// One step that changes the template by `edit(TRmg&)`.
template <class Edit> void change(Editor& editor, Edit&& edit) {
    editor.document().edit("Изменение", std::forward<Edit>(edit));
}

} // namespace zw::test
