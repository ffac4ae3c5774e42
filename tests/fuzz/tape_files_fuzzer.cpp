// Any bytes into the two readers of tape files, the journal and a saved tape:
// neither fails, what either reads is written out and reads back the same,
// every note is one clean line of at most 80 characters, every amount is a
// plain C number, and the CSV of what was read parses back field for field.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/journal_records.h"
#include "calc/legacy_text.h"
#include "calc/tape_csv.h"
#include "calc/tape_document.h"

using namespace tivorum;

namespace {

void fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

struct Entries : TapeContent {
  std::vector<std::pair<std::string, std::string>> lines;  // text, note
  std::size_t size() const override { return lines.size(); }
  std::string_view line(std::size_t i) const override { return lines[i].first; }
  std::string_view note(std::size_t i) const override { return lines[i].second; }
};

Entries replayed(const JournalReplay& replay) {
  Entries out;
  for (std::size_t i = 0; i < replay.size(); ++i)
    out.lines.emplace_back(replay.line(i), replay.note(i));
  return out;
}

Entries documentLines(std::string_view bytes) {
  Entries out;
  readTapeDocument(bytes, [&out](std::string_view line, std::string_view note) {
    out.lines.emplace_back(line, note);
  });
  return out;
}

void checkJournal(const std::string& bytes) {
  const JournalReplay replay(bytes, 64);
  if (replay.size() > 64) fail("more lines than the journal keeps");
  const Entries first = replayed(replay);
  const std::string snapshot = journalSnapshot(first);
  const JournalReplay again(snapshot, 64);
  if (again.damagedRecords() != 0) fail("a written journal reads as damaged", snapshot);
  if (replayed(again).lines != first.lines) fail("a journal does not read back", snapshot);
  // Records cut off at the end never take a whole record with them.
  if (!bytes.empty() && replay.hasHeader()) {
    const JournalReplay cut(bytes.substr(0, bytes.size() - 1), 64);
    if (cut.records() + 1 < replay.records()) fail("a cut lost more than one record", bytes);
  }
}

bool plainNumber(std::string_view s) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i > from;
  };
  if (i < s.size() && s[i] == '-') ++i;
  if (!digits()) return false;
  if (i < s.size() && s[i] == '.' && (++i, !digits())) return false;
  if (i < s.size() && s[i] == 'E') {
    ++i;
    if (i < s.size() && s[i] == '-') ++i;
    if (!digits()) return false;
  }
  return i == s.size();
}

// RFC 4180 records, each a list of fields.
std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = records.back().back();
    if (quoted) {
      if (c != '"')
        field += c;
      else if (i + 1 < text.size() && text[i + 1] == '"')
        field += text[++i];
      else
        quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      records.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      records.emplace_back(1);
    } else {
      field += c;
    }
  }
  if (quoted) fail("an unterminated quote in the CSV", text);
  if (records.back() == std::vector<std::string>(1)) records.pop_back();
  return records;
}

void checkDocument(const std::string& bytes) {
  if (!tapeDocumentProblem(bytes, "f").empty()) return;
  const Entries first = documentLines(bytes);
  for (const auto& [line, note] : first.lines) {
    if (!isValidUtf8(line) || !isValidUtf8(note)) fail("a line or note is not UTF-8", line);
    if (cleanNote(note) != note) fail("a note is not clean", note);
    if (!plainNumber(lineFigures(line).amount) && !lineFigures(line).amount.empty())
      fail("an amount is not a plain number", line);
  }
  // What is written reads back, and writing that again changes nothing.
  const std::string written = tapeDocument(first);
  if (!tapeDocumentProblem(written, "f").empty()) fail("a written tape is refused", written);
  const Entries second = documentLines(written);
  if (second.lines.size() != first.lines.size()) fail("a written tape has other lines", written);
  if (tapeDocument(second) != written) fail("a tape changes when written again", written);

  const auto records = parseCsv(tapeCsv(second));
  if (records.size() != second.lines.size() + 1) fail("the CSV has other records", written);
  for (std::size_t i = 0; i < second.lines.size(); ++i) {
    const auto& r = records[i + 1];
    const LineFigures figures = lineFigures(second.lines[i].first);
    if (r != std::vector<std::string>{second.lines[i].first, figures.amount, figures.op,
                                      second.lines[i].second})
      fail("a CSV record does not read back", second.lines[i].first);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  checkJournal(bytes);
  checkDocument(bytes);
  // The same bytes as the body of a journal and of a tape file, so that the
  // fuzzer need not find the headers first.
  checkJournal(std::string(kJournalHeader) + bytes);
  checkDocument("Tivorum tape, format 1\n" + bytes);
  return 0;
}
