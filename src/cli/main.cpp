// travesa: the desktop program without arguments, a headless job with a command.
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--version") {
    std::cout << "Travesa v" << TRAVESA_VERSION_MAYOR << "." << TRAVESA_VERSION_MENOR << "."
              << TRAVESA_VERSION_REVISION << "\n";
    return 0;
  }
  std::cerr << "Uso: travesa COMANDO [opciones]\n";
  return 2;
}
