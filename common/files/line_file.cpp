#include "common/files/line_file.h"

#include "common/files/file_names.h"
#include "common/platform/file_error.h"
#include "common/platform/paths.h"

namespace common {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

}  // namespace

LineFileWriter::LineFileWriter(Env& env, std::string_view name) : env_(env), name_(name) {}

void LineFileWriter::AppendLine(std::string_view text) {
  contents_.append(text);
  contents_.append("\r\n");
}

void LineFileWriter::Close() {
  const std::string target = ResolveName(env_, name_);
  RequireOrdinaryFileOrNothing(env_, target, "write");
  auto [temp, file] = env_.CreateTempFile(target);
  try {
    file->Append(contents_);
    file->Sync();
    file->Close();
    env_.RenameFile(temp, target);
  } catch (const FileError& error) {
    file.reset();
    try {
      env_.RemoveFile(temp);
    } catch (const FileError&) {
      // The first error is the one worth reporting.
    }
    throw FileError(error.action(), target, error.reason());
  }
  env_.SyncDirectory(DirectoryOf(target));
}

void WriteTextLine(LineFileWriter& file, std::string_view text) { file.AppendLine(text); }

void WriteNumberLine(LineFileWriter& file, std::int64_t value) {
  file.AppendLine(NumberText(value) + " ");
}

void WriteNumberLine(LineFileWriter& file, float value) {
  file.AppendLine(NumberText(value) + " ");
}

LineFileReader::LineFileReader(Env& env, std::string_view name)
    : name_(ResolveName(env, name)), file_(env.OpenForReading(name_)) {}

int LineFileReader::Peek() {
  if (position_ == buffer_.size()) {
    if (exhausted_) return -1;
    buffer_.resize(kReadChunk);
    buffer_.resize(file_->Read(buffer_.data(), buffer_.size()));
    position_ = 0;
    if (buffer_.empty()) {
      exhausted_ = true;
      return -1;
    }
  }
  return static_cast<unsigned char>(buffer_[position_]);
}

int LineFileReader::Get() {
  const int c = Peek();
  if (c >= 0) ++position_;
  return c;
}

std::string ReadField(LineFileReader& file) {
  for (int c = file.Peek(); c == ' ' || c == '\t' || c == '\r' || c == '\n'; c = file.Peek()) {
    file.Get();
  }
  if (file.AtEnd()) throw FileError("read", file.name(), "there is no more data in the file");

  auto consume_line_end = [&file] {
    if (file.Peek() == '\r') file.Get();
    if (file.Peek() == '\n') file.Get();
  };

  std::string field;
  if (file.Peek() == '"') {
    file.Get();
    for (int c = file.Get(); c >= 0 && c != '"'; c = file.Get()) field += static_cast<char>(c);
    // What follows the closing quote up to the delimiter is not part of the value.
    for (int c = file.Peek(); c >= 0 && c != ',' && c != '\r' && c != '\n'; c = file.Peek()) {
      file.Get();
    }
    if (file.Peek() == ',') {
      file.Get();
    } else {
      consume_line_end();
    }
    return field;
  }
  for (int c = file.Peek(); c >= 0 && c != ',' && c != '\r' && c != '\n'; c = file.Peek()) {
    field += static_cast<char>(file.Get());
  }
  if (file.Peek() == ',') {
    file.Get();
  } else {
    consume_line_end();
  }
  return field;
}

std::string ReadFirstField(Env& env, std::string_view name) {
  LineFileReader file(env, name);
  return ReadField(file);
}

}  // namespace common
