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

FileError::FileError(AsWritten, const std::string& message, std::string file, std::string reason)
    : std::runtime_error(message), file_(std::move(file)), reason_(std::move(reason)) {}

FileError FileError::FromErrno(std::string action, std::string file, int error_number) {
  return FileError(std::move(action), std::move(file), std::strerror(error_number));
}

FileError FileError::WithNote(const std::string& note) const {
  FileError error = *this;
  const std::string text = what();
  const bool ended = !text.empty() && text.back() == '.';
  static_cast<std::runtime_error&>(error) = std::runtime_error(text + (ended ? " " : ". ") + note);
  return error;
}

}  // namespace common
