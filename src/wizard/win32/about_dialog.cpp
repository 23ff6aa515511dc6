#include "wizard/win32/about_dialog.h"

#include "common/product.h"
#include "resource.h"
#include "wizard/main_window.h"

AboutDialog::AboutDialog() : WizardDialog(IDD_ABOUT) {}

std::vector<win32::ControlBinding> AboutDialog::ControlBindings() {
  return {{IDT_ABOUT_LINK, &link_}};
}

bool AboutDialog::OnInit() {
  SetItemText(IDT_ABOUT_VERSION, std::string(product::kName) + " " + main_window::VersionText());
  link_.SetTarget(std::string(product::kWebSite) + "/index.html?from=aboutbox");
  return true;
}
