// FileError: the one error every file operation raises. It names the file,
// what was being done to it and the operating system's reason.

#ifndef COMMON_PLATFORM_FILE_ERROR_H_
#define COMMON_PLATFORM_FILE_ERROR_H_

#include <stdexcept>
#include <string>

namespace common {

class FileError : public std::runtime_error {
 public:
  // `action` is a verb phrase ("open", "write", "delete"), `file` the name as
  // the program knows it, `reason` the operating system's explanation.
  FileError(std::string action, std::string file, std::string reason);

  // Builds the error from an errno value.
  static FileError FromErrno(std::string action, std::string file, int error_number);

  const std::string& action() const { return action_; }
  const std::string& file() const { return file_; }
  const std::string& reason() const { return reason_; }

  // The same error with a sentence added to its message, saying what
  // became of the files: "Every file has been put back as it was."
  FileError WithNote(const std::string& note) const;

 protected:
  struct AsWritten {};
  // An error whose whole message is `message`, about `file`.
  FileError(AsWritten, const std::string& message, std::string file, std::string reason);

 private:
  std::string action_;
  std::string file_;
  std::string reason_;
};

}  // namespace common

#endif  // COMMON_PLATFORM_FILE_ERROR_H_
