#pragma once
// The desktop program: `travesa` without arguments, or with "/sinlogin".
namespace travesa {

class Escritorio {
 public:
  // Start-up, the login at the main window's first display, then the window
  // until it closes. The exit status: 0 closed, 3 login refused or cancelled,
  // 4 start-up failed.
  static int Ejecuta(int argc, char** argv);
};

}  // namespace travesa
