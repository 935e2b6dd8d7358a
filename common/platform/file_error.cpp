#include "common/platform/file_error.h"

#include <cstring>
#include <utility>

namespace common {

namespace {

std::string Describe(const std::string& action, const std::string& file,
                     const std::string& reason) {
  return "Cannot " + action + " \"" + file + "\": " + reason;
}

}  // namespace

FileError::FileError(std::string action, std::string file, std::string reason)
    : std::runtime_error(Describe(action, file, reason)),
      action_(std::move(action)),
      file_(std::move(file)),
      reason_(std::move(reason)) {}

FileError FileError::FromErrno(std::string action, std::string file, int error_number) {
  return FileError(std::move(action), std::move(file), std::strerror(error_number));
}

FileError FileError::WithNote(const std::string& note) const {
  FileError error = *this;
  static_cast<std::runtime_error&>(error) = std::runtime_error(std::string(what()) + ". " + note);
  return error;
}

}  // namespace common
