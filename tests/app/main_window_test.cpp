#include "app/main_window.h"
#include "platform/scripted_services.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(MainWindow, StartsWithTheNewTemplateCaption) {
    ScriptedServices services;
    ScriptedDialogs dialogs;
    TForm1 window(services, dialogs);
    window.editor().startUp();
    EXPECT_EQ(window.windowTitle().toStdString(), "Редактор шаблонов - Unnamed template");
}

} // namespace
} // namespace zw
