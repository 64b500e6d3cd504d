#include "update/list_changes.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "common/number.h"
#include "platform/sjis_codec.h"
#include "search/postal_record.h"
#include "search/postal_scan.h"

namespace nanbaru {

namespace {

// Lines compared between two looks at the cancel flag.
constexpr std::size_t kLinesPerCheck = 4096;

// Lines by their bytes, each with how many times it is still to be met: an open-addressed
// table, since a node per line would cost a cache miss at every step.
class LineCounts {
 public:
  explicit LineCounts(const std::vector<std::string_view>& lines) : lines_(lines) {
    std::size_t capacity = 16;
    while (capacity < lines.size() * 2) capacity *= 2;
    slots_.resize(capacity);
    mask_ = capacity - 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      Slot& slot = Find(lines[i]);
      if (slot.count++ == 0) slot.line = static_cast<std::uint32_t>(i);
    }
  }

  // Meets `line` once; false when there is no more of it.
  bool Take(std::string_view line) {
    Slot& slot = Find(line);
    if (slot.count == 0) return false;
    --slot.count;
    return true;
  }

 private:
  struct Slot {
    std::uint32_t hash = 0;  // of the line, to pass over others without reading them
    std::uint32_t line = 0;
    std::uint32_t count = 0;
    bool used = false;
  };

  Slot& Find(std::string_view line) {
    const std::size_t full = std::hash<std::string_view>()(line);
    const auto hash = static_cast<std::uint32_t>(full >> 32);
    for (std::size_t at = full & mask_;; at = (at + 1) & mask_) {
      Slot& slot = slots_[at];
      if (!slot.used) {
        slot.used = true;
        slot.hash = hash;
        return slot;
      }
      if (slot.hash == hash && lines_[slot.line] == line) return slot;
    }
  }

  const std::vector<std::string_view>& lines_;
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
};

// How far ahead in the new list a line of the old one is looked for before it counts as
// unmatched: a month's edition inserts its new records a few at a time.
constexpr std::size_t kLookAhead = 8;

// The result line of a list line; a line not in the record layout is shown as it is.
Bytes ResultLine(std::string_view line, ListEncoding kind) {
  Bytes sjis = kind == ListEncoding::kUtf8 ? Utf8ToSjis(line) : Bytes(line);
  return IsWellFormedRecord(sjis) ? FormatPostalResult(ParsePostalLine(sjis)) : sjis;
}

// Takes out of both the result lines they share.
void DropShared(std::vector<Bytes>& added, std::vector<Bytes>& removed) {
  std::unordered_map<Bytes, std::size_t> unmatched;
  for (const Bytes& line : removed) ++unmatched[line];
  std::unordered_map<Bytes, std::size_t> shared;
  std::erase_if(added, [&](const Bytes& line) {
    const auto found = unmatched.find(line);
    if (found == unmatched.end() || found->second == 0) return false;
    --found->second;
    ++shared[line];
    return true;
  });
  std::erase_if(removed, [&](const Bytes& line) {
    const auto found = shared.find(line);
    if (found == shared.end() || found->second == 0) return false;
    --found->second;
    return true;
  });
}

}  // namespace

ListChanges CompareLists(TextReader& before, const ListText& after, const CancelFlag& cancel) {
  // The two editions mostly hold the same lines in the same order, so lines are first paired
  // in step; only those left unpaired go through the table. Pairing equal lines takes nothing
  // from the difference, whatever the order.
  std::vector<Bytes> old_unpaired;
  std::vector<std::string_view> new_unpaired;
  const ListEncoding before_kind = TakeListEncoding(before);
  std::size_t next = 0;  // the new list's first line not yet paired or passed over
  for (std::size_t read = 1; !before.AtEnd(); ++read) {
    const std::string_view line = before.ReadLine();
    std::size_t ahead = 0;
    while (ahead < kLookAhead && next + ahead < after.size() && after.line(next + ahead) != line) {
      ++ahead;
    }
    if (ahead < kLookAhead && next + ahead < after.size()) {
      for (; ahead > 0; --ahead) new_unpaired.push_back(after.line(next++));
      ++next;
    } else {
      old_unpaired.emplace_back(line);
    }
    if (read % kLinesPerCheck == 0) cancel.ThrowIfCancelled();
  }
  for (; next < after.size(); ++next) new_unpaired.push_back(after.line(next));

  LineCounts unmet(new_unpaired);
  cancel.ThrowIfCancelled();
  ListChanges changes;
  for (const Bytes& line : old_unpaired) {
    if (!unmet.Take(line)) changes.removed.push_back(ResultLine(line, before_kind));
  }
  for (const std::string_view line : new_unpaired) {
    if (unmet.Take(line)) changes.added.push_back(ResultLine(line, after.kind()));
  }
  DropShared(changes.added, changes.removed);
  return changes;
}

std::vector<Bytes> ChangeLines(const ListChanges& changes) {
  std::vector<Bytes> lines;
  std::size_t shown = 0;
  const auto group = [&](const std::vector<Bytes>& records, std::string_view heading) {
    if (records.empty()) return;
    lines.push_back(Sj(heading) + IntToStr(static_cast<std::int64_t>(records.size())) + Sj("件"));
    for (const Bytes& record : records) {
      if (shown == kPostalResultLimit) return;
      lines.push_back(record);
      ++shown;
    }
  };
  group(changes.added, "  追加された郵便番号　");
  group(changes.removed, "  削除された郵便番号　");
  lines.push_back("  ");
  if (shown < changes.added.size() + changes.removed.size()) {
    lines.push_back(Sj("      表示は") + IntToStr(kPostalResultLimit) + Sj("件までです。"));
  }
  lines.push_back(Sj("    追加 ") + IntToStr(static_cast<std::int64_t>(changes.added.size())) +
                  Sj("件、削除 ") + IntToStr(static_cast<std::int64_t>(changes.removed.size())) +
                  Sj("件です。"));
  return lines;
}

}  // namespace nanbaru
