#pragma once

#include <QMainWindow>

#include "reliability/ProjectState.h"

struct Services;

/// The main window: the project inputs, the computation chain and the general commands.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Services& services, QWidget* parent = nullptr);
  ~TForm1() override;

  ProjectState& project() { return project_; }
  Services& services() { return services_; }

  // ---- shell: menus, toolbar, status bar, general commands

  // ---- project inputs

  // ---- computation chain

  // ---- project and results files

 private:
  Services& services_;
  ProjectState project_;

  // ---- shell members

  // ---- input members

  // ---- chain members

  // ---- file members
};
