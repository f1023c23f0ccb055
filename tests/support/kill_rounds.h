// Crash tests: a child process rewrites files in a loop and is killed with
// SIGKILL at a random moment; the parent then checks what is on disk.
#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace tw_test {

// Runs `rounds` rounds (stopping early after `budget`): fork, let the child
// run rewrite(round) forever, kill it after 0 to max_delay, then check(round).
// Returns the number of rounds run.
inline int kill_rounds(int rounds, std::chrono::milliseconds max_delay,
                       std::chrono::milliseconds budget, const std::function<void(int)>& rewrite,
                       const std::function<void(int)>& check) {
  std::mt19937 random(20261207);
  const auto stop = std::chrono::steady_clock::now() + budget;
  int run = 0;
  for (; run < rounds && std::chrono::steady_clock::now() < stop; ++run) {
    pid_t child = ::fork();
    if (child == 0) {
      for (;;) rewrite(run);
    }
    std::uniform_int_distribution<long> delay(0, max_delay.count() * 1000);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    check(run);
  }
  return run;
}

}  // namespace tw_test
