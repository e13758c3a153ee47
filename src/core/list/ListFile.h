// donations.txt: UTF-8 with a byte-order mark, the header "# name,amount",
// then one "name,amount" line per entry. A line splits at its first ",",
// "，" or TAB, so amounts may carry digit groups.
//
// The plain format cannot hold a name that contains a separator or starts
// with "#". Such a name (and a name starting with a quote that would
// otherwise read back differently) is written in double quotes with inner
// quotes doubled: "Smith, Jones & Co",500元. The reader accepts the quoted
// form only where the writer would have produced it, so every file without
// such names reads and writes exactly as the plain format says.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/list/DonationList.h"

// Entries of a file's bytes; amounts are normalised with the given unit.
DonationList ParseDonationListBytes(std::string_view bytes, std::wstring_view unit);

// The complete file content for a list.
std::string SerializeDonationList(const DonationList& list);

// The file steps of a save; tests replace them to fail or stop at each step.
struct ListFileOps {
    bool (*read)(const std::wstring& path, std::string& bytes);
    bool (*exists)(const std::wstring& path);
    bool (*readOnly)(const std::wstring& path);
    bool (*writeFlushed)(const std::wstring& path, const std::string& bytes);
    bool (*replace)(const std::wstring& pending, const std::wstring& target);
};
const ListFileOps& PlatformListFileOps();

// What the file held when the program last read or wrote it, so that a change
// made by another program can be told from our own.
struct ListFileStamp {
    bool known = false;   // false: the file has never been read or written
    bool exists = false;  // the file was there (false: known to be missing)
    uint64_t size = 0;
    uint64_t hash = 0;
    bool operator==(const ListFileStamp& other) const {
        return known == other.known && exists == other.exists && size == other.size && hash == other.hash;
    }
    bool operator!=(const ListFileStamp& other) const { return !(*this == other); }
};
ListFileStamp StampOfBytes(std::string_view bytes);
ListFileStamp MissingFileStamp();

enum class ListWriteResult {
    Saved,             // written, or the bytes on disk were already equal
    Failed,            // nothing replaced: the file and its backup are as they were
    TargetUnreadable,  // the file exists but cannot be read, so it is never replaced
    ChangedOutside,    // the file no longer holds what `expected` says: it is never replaced
};

// Writes the list through "<path>.pending" and refreshes "<path>.bak" with
// the previous bytes through "<path>.bak.pending". Nothing is written when the
// bytes on disk are already equal.
ListWriteResult WriteDonationListFile(const DonationList& list, const std::wstring& path,
                                      const ListFileOps& ops = PlatformListFileOps());

// The same, but only over the content `stamp` describes (when it is known): a
// file that another program changed since is left alone. After a save,
// `stamp` describes the bytes now in the file. A file known to be missing may
// be written; one that has appeared since counts as changed.
ListWriteResult WriteDonationListFileOver(const DonationList& list, const std::wstring& path, ListFileStamp& stamp,
                                          const ListFileOps& ops = PlatformListFileOps());

enum class ListReadResult { Loaded, Missing, Unreadable };

// The entries of the file at `path`; empty unless Loaded.
ListReadResult ReadDonationListFile(const std::wstring& path, std::wstring_view unit, DonationList& list);
// A look at the file for changes: its stamp, and its entries only when the
// stamp differs from `known` (parsing a long list is the expensive part).
struct ListFileRead {
    ListReadResult result = ListReadResult::Missing;
    ListFileStamp stamp;  // missing: MissingFileStamp(); unreadable: not known
    DonationList list;    // parsed only when Loaded and the stamp is not `known`
    ListFileStamp known;  // what it was compared with
};
ListFileRead ReadListFileIfChanged(const std::wstring& path, std::wstring_view unit, const ListFileStamp& known);

// The same, with the stamp of what was read (missing: MissingFileStamp();
// unreadable: not known).
ListReadResult ReadDonationListFile(const std::wstring& path, std::wstring_view unit, DonationList& list,
                                    ListFileStamp& stamp);
