// A test fixture whose host is the Qt GUI host on the offscreen platform, in
// place of the headless one the other suites use.
#pragma once
#include <QtGlobal>
#include <memory>

#include "platform/ui/gui/gui_host.h"
#include "support/test_support.h"

namespace tw_test {

class GuiFixture : public Fixture {
 protected:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Fixture::SetUp();
    ui::HeadlessHost* made = tw_gui_host_create(1);
    ASSERT_NE(made, nullptr);
    gui_ = static_cast<ui::gui::GuiHost*>(made);
    ui::set_host(std::unique_ptr<ui::HeadlessHost>(made));
  }

  ui::gui::GuiHost* gui_ = nullptr;
};

}  // namespace tw_test
