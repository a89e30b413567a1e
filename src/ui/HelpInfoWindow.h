#pragma once

#include "ui/SimpleWindow.h"

/// The help viewer information window: why the WIN help needs an extra viewer, a link to the
/// vendor's page about it and a check box "the viewer is installed".
/// Form "Form11", settings prefix "VistaHlp-Form11".
class HelpInfoWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit HelpInfoWindow(Services& services, QWidget* parent = nullptr);

  /// Address of the vendor's support page about installing the legacy help viewer.
  static constexpr char kSupportPage[] = "https://support.microsoft.com/kb/917607";

  /// Opens the support page; message 7 in a plain box when that fails; then closes.
  void Label2Click();
  /// Ticked: the window is not offered again, the help opens and the window closes.
  void CheckBox1Click();
};
