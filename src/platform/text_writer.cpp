#include "platform/text_writer.h"

#include "platform/errors.h"
#include "platform/output_file.h"

namespace nanbaru {

namespace {

constexpr std::size_t kFlushAt = 64 * 1024;

}  // namespace

TextWriter::TextWriter(const Bytes& path) : file_(CreateOutputFile(path)) {}

TextWriter::TextWriter(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}

// Whatever is still buffered is written if it can be; a writer closed this way has no one
// to report a failure to.
TextWriter::~TextWriter() {
  if (!file_) return;
  try {
    Flush();
  } catch (const InOutError&) {
  }
}

void TextWriter::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushAt) Flush();
}

void TextWriter::Flush() {
  // What was written before a failure is not written again.
  std::string pending;
  pending.swap(buffer_);
  file_->Write(pending);
}

void TextWriter::Close() {
  if (!file_) return;
  Flush();
  const std::unique_ptr<OutputFile> file = std::move(file_);
  file->Close();
}

SafeTextWriter::SafeTextWriter(const Bytes& path) : writer_(StageOutputFile(path)) {}

SafeTextWriter::SafeTextWriter(const NativeName& name) : writer_(StageOutputFile(name)) {}

void SafeTextWriter::WriteLine(std::string_view line) {
  writer_.WriteLine(line);
}

void SafeTextWriter::Commit() {
  writer_.Close();
}

}  // namespace nanbaru
