#pragma once
// Runs a job on a thread of its own and returns when it ends. Meanwhile the
// window's thread keeps handling its events: the window repaints and answers
// the job's questions (see OperadorVentana), so it never freezes. An error
// raised by the job is raised again here, on the window's thread.
#include <functional>

namespace travesa {

class TrabajoEnHilo {
 public:
  static void Ejecuta(const std::function<void()>& trabajo);
  // True while a job runs.
  static bool EnCurso();
};

}  // namespace travesa
