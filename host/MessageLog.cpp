#include "MessageLog.h"

#include <iostream>

namespace ofxhost {

void MessageLog::add(Message message) {
    std::lock_guard<std::mutex> lock(_lock);
    print(message);
    _messages.push_back(std::move(message));
}

void MessageLog::print(const Message& message) {
    std::cerr << "plug-in message (" << message.type << "): " << message.text << '\n';
}

std::vector<Message> MessageLog::messages() const {
    std::lock_guard<std::mutex> lock(_lock);
    return _messages;
}

}  // namespace ofxhost
