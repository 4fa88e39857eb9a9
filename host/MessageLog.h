#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace ofxhost {

// One message a plug-in sent through the message suite.
struct Message {
    std::string type;  // a kOfxMessage* string
    std::string id;
    std::string text;
    bool persistent = false;
};

// Every message of a session, in arrival order; each is also written to the
// standard error stream so that people running the host see it.
class MessageLog {
  public:
    void add(Message message);
    std::vector<Message> messages() const;

    // How a message appears on the standard error stream.
    static void print(const Message& message);

  private:
    mutable std::mutex _lock;
    std::vector<Message> _messages;
};

}  // namespace ofxhost
