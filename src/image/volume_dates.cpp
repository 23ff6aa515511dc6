#include "image/volume_dates.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace volume_dates {

namespace {

constexpr uint64_t kSector = 2048;
constexpr uint64_t kFirstDescriptor = 16;
constexpr int kMaxDescriptors = 32;
constexpr int kMaxContinuations = 64;
// Volume descriptor fields.
constexpr size_t kSystemId = 8;  // 32 bytes
constexpr size_t kSystemIdBytes = 32;
constexpr std::string_view kSystemName = "Windows";
constexpr size_t kRootRecord = 156;
constexpr size_t kVolumeDates[] = {813, 830, 864};  // created, modified, effective
// Directory record fields.
constexpr size_t kExtent = 2;
constexpr size_t kDataLength = 10;
constexpr size_t kRecordDate = 18;
constexpr size_t kFlags = 25;
constexpr size_t kNameLength = 32;
constexpr size_t kName = 33;
constexpr uint8_t kDirectoryFlag = 0x02;
constexpr uint8_t kPrimary = 1;
constexpr uint8_t kSupplementary = 2;
constexpr uint8_t kTerminator = 255;
constexpr std::string_view kMovedFolder = "RR_MOVED";
constexpr const char* kInfo = "INFO ";
// A Rock Ridge "TF" entry with this flag holds long (17-byte) dates.
constexpr uint8_t kLongForm = 0x80;
// Folders the tree walk may visit; far more than an image can hold.
constexpr size_t kMaxFolders = 1 << 20;

uint32_t Le32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(int64_t days, int64_t* year, unsigned* month, unsigned* day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto doe = static_cast<unsigned>(days - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  *day = doy - (153 * mp + 2) / 5 + 1;
  *month = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int64_t>(yoe) + era * 400 + (*month <= 2 ? 1 : 0);
}

struct Civil {
  int64_t year;
  unsigned month, day, hour, minute, second;
  unsigned weekday;  // 0 for Sunday
};

// A moment in UTC, in its calendar parts.
Civil SplitUtc(int64_t seconds) {
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  Civil c{};
  CivilFromDays(days, &c.year, &c.month, &c.day);
  c.hour = static_cast<unsigned>(rest / 3600);
  c.minute = static_cast<unsigned>(rest / 60 % 60);
  c.second = static_cast<unsigned>(rest % 60);
  c.weekday = static_cast<unsigned>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
  return c;
}

// "Wed Jun 30 21:49:08 1993", as ctime() writes a moment (here in UTC).
std::string CTimeOf(int64_t seconds) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const Civil c = SplitUtc(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%s %s %2u %02u:%02u:%02u %04u", kDays[c.weekday],
                kMonths[c.month - 1], c.day, c.hour, c.minute, c.second,
                static_cast<unsigned>(c.year % 10000));
  return text;
}

// The same within what a directory record's year can hold (1900 + 255 at most).
Civil CivilOf(int64_t seconds) {
  Civil c = SplitUtc(seconds);
  if (c.year < 1900) c = {1900, 1, 1, 0, 0, 0, 1};
  if (c.year > 2155) c = {2155, 12, 31, 23, 59, 59, 3};
  return c;
}

ShortDate ShortFromLong(const uint8_t* p) {
  auto number = [p](int at, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i) value = value * 10 + (p[at + i] - '0');
    return value;
  };
  return {static_cast<uint8_t>(number(0, 4) - 1900),
          static_cast<uint8_t>(number(4, 2)),
          static_cast<uint8_t>(number(6, 2)),
          static_cast<uint8_t>(number(8, 2)),
          static_cast<uint8_t>(number(10, 2)),
          static_cast<uint8_t>(number(12, 2)),
          p[16]};
}

class Patcher {
 public:
  Patcher(cd_image::ImageOutput& image, int64_t date)
      : image_(image), newDate_(date), newShort_(ShortDateOf(date)), newLong_(LongDateOf(date)) {}

  uint32_t Run() {
    for (int i = 0; i < kMaxDescriptors; ++i) {
      std::vector<uint8_t> descriptor(kSector);
      const uint64_t at = (kFirstDescriptor + i) * kSector;
      if (uint32_t error = image_.ReadAt(at, descriptor.data(), kSector)) return error;
      if (std::memcmp(descriptor.data() + 1, "CD001", 5) != 0) break;
      if (descriptor[0] == kTerminator) return oldKnown_ ? PatchInfoBlock(at + kSector) : 0;
      if (descriptor[0] != kPrimary && descriptor[0] != kSupplementary) continue;
      if (!oldKnown_) {
        std::memcpy(oldLong_.data(), descriptor.data() + kVolumeDates[0], oldLong_.size());
        oldShort_ = ShortFromLong(oldLong_.data());
        oldKnown_ = true;
      }
      bool changed = ReplaceSystemId(descriptor.data(), descriptor[0] == kPrimary);
      for (size_t field : kVolumeDates) changed |= ReplaceLong(descriptor.data() + field);
      uint8_t* root = descriptor.data() + kRootRecord;
      virtual_.insert(Le32(root + kExtent));
      changed |= ReplaceShort(root + kRecordDate);
      if (changed) {
        if (uint32_t error = image_.WriteAt(at, descriptor.data(), kSector)) return error;
      }
      if (uint32_t error =
              WalkFolder(Le32(root + kExtent), Le32(root + kDataLength), descriptor[0] == kPrimary))
        return error;
    }
    return 0;
  }

 private:
  // The primary descriptor's in capitals, Joliet's in UTF-16, blanks after it.
  static bool ReplaceSystemId(uint8_t* descriptor, bool primary) {
    uint8_t id[kSystemIdBytes];
    for (size_t i = 0; i < kSystemIdBytes; ++i) id[i] = primary || i % 2 ? ' ' : 0;
    for (size_t i = 0; i < kSystemName.size(); ++i) {
      const char c = kSystemName[i];
      if (primary) {
        id[i] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      } else {
        id[2 * i + 1] = static_cast<uint8_t>(c);
      }
    }
    if (std::memcmp(descriptor + kSystemId, id, kSystemIdBytes) == 0) return false;
    std::memcpy(descriptor + kSystemId, id, kSystemIdBytes);
    return true;
  }

  bool ReplaceLong(uint8_t* field) {
    if (std::memcmp(field, oldLong_.data(), oldLong_.size()) != 0) return false;
    std::memcpy(field, newLong_.data(), newLong_.size());
    return true;
  }
  bool ReplaceShort(uint8_t* field) {
    if (std::memcmp(field, oldShort_.data(), oldShort_.size()) != 0) return false;
    std::memcpy(field, newShort_.data(), newShort_.size());
    return true;
  }
  // Only the records of the folders the library made itself (the root, and
  // "rr_moved" where Rock Ridge moves folders nested too deep) carry its
  // moment; a file or folder of the CD dated the same second keeps its date.
  uint32_t WalkFolder(uint32_t extent, uint32_t length, bool primaryRoot) {
    if (!visited_.insert(extent).second || visited_.size() > kMaxFolders) return 0;
    std::vector<uint8_t> data((length + kSector - 1) / kSector * kSector);
    if (data.empty()) return 0;
    if (uint32_t error = image_.ReadAt(extent * kSector, data.data(), data.size())) return error;
    std::vector<uint8_t*> records;
    for (size_t at = 0; at < length;) {
      const uint8_t size = data[at];
      if (size == 0) {  // records do not cross sectors: the rest of this one is empty
        at = (at / kSector + 1) * kSector;
        continue;
      }
      if (size < kName || at + size > data.size()) break;
      records.push_back(data.data() + at);
      at += size;
    }
    std::vector<std::pair<uint32_t, uint32_t>> folders;
    for (uint8_t* record : records) {
      const uint8_t nameLength = record[kNameLength];
      const std::string_view name(reinterpret_cast<const char*>(record + kName), nameLength);
      const bool folder = record[kFlags] & kDirectoryFlag;
      if (primaryRoot && folder && name == kMovedFolder) virtual_.insert(Le32(record + kExtent));
      if (folder && name.size() == 1 && (name[0] == 0 || name[0] == 1)) continue;
      if (folder) folders.emplace_back(Le32(record + kExtent), Le32(record + kDataLength));
    }
    bool changed = false;
    for (uint8_t* record : records) {
      if (!virtual_.count(Le32(record + kExtent))) continue;
      changed |= ReplaceShort(record + kRecordDate);
      const uint8_t nameLength = record[kNameLength];
      const size_t use = kName + nameLength + (nameLength % 2 == 0 ? 1 : 0);
      if (use < record[0]) {
        if (uint32_t error = PatchUseArea(record + use, record[0] - use, &changed)) return error;
      }
    }
    if (changed) {
      if (uint32_t error = image_.WriteAt(extent * kSector, data.data(), data.size())) return error;
    }
    for (const auto& [child, childLength] : folders) {
      if (uint32_t error = WalkFolder(child, childLength, false)) return error;
    }
    return 0;
  }

  // The library's note after the descriptors: "INFO " and the moment as
  // ctime() writes it, then its version and options.
  uint32_t PatchInfoBlock(uint64_t at) {
    std::vector<uint8_t> block(kSector);
    if (uint32_t error = image_.ReadAt(at, block.data(), kSector)) return error;
    if (std::memcmp(block.data(), kInfo, std::strlen(kInfo)) != 0) return 0;
    const std::string moment = CTimeOf(newDate_);
    std::memcpy(block.data() + std::strlen(kInfo), moment.data(), moment.size());
    return image_.WriteAt(at, block.data(), kSector);
  }

  // Rock Ridge entries: "TF" holds dates, "CE" continues the area elsewhere.
  uint32_t PatchUseArea(uint8_t* area, size_t size, bool* changed) {
    size_t at = 0;
    while (at + 4 <= size) {
      uint8_t* entry = area + at;
      const uint8_t length = entry[2];
      if (length < 4 || at + length > size) break;
      if (entry[0] == 'T' && entry[1] == 'F' && length >= 5) {
        const bool longForm = entry[4] & kLongForm;
        const size_t stamp = longForm ? oldLong_.size() : oldShort_.size();
        for (size_t s = 5; s + stamp <= length; s += stamp)
          *changed |= longForm ? ReplaceLong(entry + s) : ReplaceShort(entry + s);
      } else if (entry[0] == 'C' && entry[1] == 'E' && length >= 28 &&
                 continuations_ < kMaxContinuations) {
        ++continuations_;
        if (uint32_t error = PatchContinuation(Le32(entry + 4), Le32(entry + 12), Le32(entry + 20)))
          return error;
      } else if (entry[0] == 'S' && entry[1] == 'T') {
        break;
      }
      at += length;
    }
    return 0;
  }

  uint32_t PatchContinuation(uint32_t block, uint32_t offset, uint32_t length) {
    if (length == 0 || length > kSector * 16) return 0;
    const uint64_t at = block * kSector + offset;
    std::vector<uint8_t> area(length);
    if (uint32_t error = image_.ReadAt(at, area.data(), length)) return error;
    bool changed = false;
    if (uint32_t error = PatchUseArea(area.data(), length, &changed)) return error;
    return changed ? image_.WriteAt(at, area.data(), length) : 0;
  }

  cd_image::ImageOutput& image_;
  int64_t newDate_;
  ShortDate newShort_;
  LongDate newLong_;
  ShortDate oldShort_{};
  LongDate oldLong_{};
  bool oldKnown_ = false;
  std::set<uint32_t> visited_;
  std::set<uint32_t> virtual_;
  int continuations_ = 0;
};

}  // namespace

ShortDate ShortDateOf(int64_t unixSeconds) {
  const Civil c = CivilOf(unixSeconds);
  return {static_cast<uint8_t>(c.year - 1900),
          static_cast<uint8_t>(c.month),
          static_cast<uint8_t>(c.day),
          static_cast<uint8_t>(c.hour),
          static_cast<uint8_t>(c.minute),
          static_cast<uint8_t>(c.second),
          0};
}

LongDate LongDateOf(int64_t unixSeconds) {
  const Civil c = CivilOf(unixSeconds);
  LongDate date{};
  const unsigned fields[] = {
      static_cast<unsigned>(c.year), c.month, c.day, c.hour, c.minute, c.second, 0};
  const int widths[] = {4, 2, 2, 2, 2, 2, 2};
  size_t at = 0;
  for (int f = 0; f < 7; ++f) {
    unsigned value = fields[f];
    for (int d = widths[f] - 1; d >= 0; --d) {
      date[at + d] = static_cast<uint8_t>('0' + value % 10);
      value /= 10;
    }
    at += widths[f];
  }
  date[16] = 0;
  return date;
}

uint32_t ReplaceLibraryStamps(cd_image::ImageOutput& image, int64_t date) {
  return Patcher(image, date).Run();
}

}  // namespace volume_dates
