// Runs a piece of a test in a child process: under limits the test process must not
// take (a small maximum file size, another user), or with a deadline, so that a
// blocking read fails the test instead of hanging it.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>

namespace almanax::test {

struct issue_enfant {
  bool a_temps = false;  // the child finished before the deadline
  std::string sortie;    // what the function returned
};

// Calls `f` in a forked child and returns its text; the child is killed after `delai`.
inline issue_enfant dans_un_enfant(const std::function<std::string()>& f,
                                   std::chrono::milliseconds delai = std::chrono::seconds(10)) {
  issue_enfant r;
  int tube[2];
  if (::pipe(tube) != 0) return r;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(tube[0]);
    const std::string s = f();
    for (std::size_t fait = 0; fait < s.size();) {
      const ssize_t n = ::write(tube[1], s.data() + fait, s.size() - fait);
      if (n <= 0) break;
      fait += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(tube[1]);
  const auto fin = std::chrono::steady_clock::now() + delai;
  bool ferme = false;
  while (!ferme) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(fin - std::chrono::steady_clock::now());
    if (reste.count() <= 0) break;
    pollfd p{tube[0], POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(reste.count())) <= 0) continue;
    char tampon[4096];
    const ssize_t n = ::read(tube[0], tampon, sizeof tampon);
    ferme = n <= 0;
    if (n > 0) r.sortie.append(tampon, static_cast<std::size_t>(n));
  }
  ::close(tube[0]);
  if (!ferme) ::kill(pid, SIGKILL);
  int statut = 0;
  ::waitpid(pid, &statut, 0);
  r.a_temps = ferme && WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
  return r;
}

}  // namespace almanax::test
