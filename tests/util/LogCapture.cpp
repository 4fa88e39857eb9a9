#include "LogCapture.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

LogCapture::LogCapture()
    : _effectName("ofxfw_test_log_" + std::to_string(::getpid())),
      _previousLevel(Logger::getInstance()->debugLevel()) {
    Logger::getInstance()->setDebugLevel(LogLevel::Debug);
    Logger::getInstance()->setEffectName(_effectName);
}

LogCapture::~LogCapture() {
    Logger::getInstance()->setDebugLevel(_previousLevel);
    std::remove(Logger::logPath(_effectName).c_str());
    std::remove(Logger::oldLogPath(_effectName).c_str());
}

std::string LogCapture::text() const {
    Logger::getInstance()->flush();
    std::ifstream in(Logger::logPath(_effectName));
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::size_t LogCapture::find(const std::string& line) const {
    const std::string log = "\n" + text();
    return log.find("\n" + line + "\n");
}

bool LogCapture::hasLine(const std::string& line) const {
    return find(line) != std::string::npos;
}
