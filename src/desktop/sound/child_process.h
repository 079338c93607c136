#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kelo::desktop {

/// A program started with its standard output on a pipe to us. Let go of while it runs, it is
/// killed and reaped: nothing of it outlives its owner.
class ChildProcess {
  public:
    /// Starts `program` with `arguments` (the first one its name); false (operator bool) where it
    /// could not be started.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    explicit operator bool() const { return pid_ > 0; }
    /// The read end of its standard output.
    int output() const { return output_; }
    /// Waits for it to end: its exit status, or -1 where it did not exit by itself.
    int wait();

  private:
    pid_t pid_ = -1;
    int output_ = -1;
};

/// A file descriptor that becomes readable when another thread rings it (an eventfd).
class Bell {
  public:
    Bell();
    ~Bell();
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;

    void ring() const;
    /// Forgets the rings so far.
    void quiet() const;
    int fd() const { return fd_; }

  private:
    int fd_ = -1;
};

}  // namespace kelo::desktop
