#pragma once

#include <string>

// Opens an address in the user's web browser by starting a program (by
// default "xdg-open") with the address as its only argument: no shell reads
// the address, and the host does not wait for the browser. The program runs
// as a grandchild that the system adopts and reaps, so no zombie is left; it
// inherits no descriptor of the host but standard error.
class DocumentationOpener {
  public:
    explicit DocumentationOpener(std::string program = "xdg-open");

    const std::string& program() const { return _program; }

    // True when the program was started.
    bool open(const std::string& address) const;

    // "file://" and `path` with every byte outside the unreserved set and
    // "/" percent-encoded.
    static std::string fileAddress(const std::string& path);

  private:
    std::string _program;
};
