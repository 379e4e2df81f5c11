#pragma once

// The batch files and their archive: one comma-separated file per store,
// named after its client ID, written through an 8-bit text stream, uploaded
// while open, then moved to the backup folder under a time-stamped name. The
// engine's OpenStream, CloseStream, RenameBatchfile and PruneBackups delegate
// here. All of it runs on the engine's thread.

#include <memory>
#include <string>
#include <string_view>

#include "foundation/clock.h"
#include "foundation/exceptions.h"
#include "foundation/uQzTextStream.h"

namespace lumora {

// The batch stream refused a line (a full disk, an I/O error): the batch is
// incomplete. Not an error of one record, so the scan never skips past it.
LUMORA_DECLARE_EXCEPTION(EBatchWriteError, EInOutError);

inline constexpr std::size_t kBatchBackupsKept = 1000;

// The client ID reduced to the characters a file name may safely hold: of its
// Windows-1252 form only A-Z, a-z, 0-9 and ! & ( ) - [ ] _ { } ~ survive, in
// order. Empty when none does.
std::string BatchFileNameForm(std::string_view AClientID);

// The receiving service reads batch lines unquoted, so a field holding a
// comma, CR or LF would shift or split the record. The scan skips any record
// or client-ID entry whose text fails this test.
bool IsSafeBatchField(std::string_view AField);

// The available quantity as a whole number: negative (and NaN) as 0, an exact
// half rounded away from zero, no blanks ("%12.0f" with its padding removed).
std::string FormatBatchQuantity(double AQuantity);

// "client ID,UPC,quantity" in UTF-8, unquoted: check both texts with
// IsSafeBatchField first.
std::string FormatBatchLine(std::string_view AClientID, std::string_view AUPC, double AQuantity);

// Writes FormatBatchLine in Windows-1252, ended by CR LF. A write the stream
// refuses raises EBatchWriteError with the stream's error text.
void WriteBatchLine(TAnsiTextStream& AStream, std::string_view AClientID, std::string_view AUPC,
                    double AQuantity);

// "A-17.csv" archived at ANow: "A-17-yyyymmdd-hhnnss.csv".
std::string ArchivedBatchName(std::string_view AFileName, TDateTime ANow);

// Creates the client ID's batch file in the batch folder below AExeDir,
// replacing an older one, and holds it exclusively until AStream is freed.
// Returns its path, or empty text (and no file) when the client ID has no
// usable character. A file that cannot be created raises EFCreateError
// ("Cannot create file "<path>". <reason>") and leaves AStream empty.
std::string OpenStream(std::string_view AExeDir, std::string_view AClientID,
                       std::unique_ptr<TAnsiTextStream>& AStream);

// Frees the stream, closing the file; an empty AStream is fine.
void CloseStream(std::unique_ptr<TAnsiTextStream>& AStream);

// Closes and deletes a batch that is not to be sent because it is not whole
// (a refused write, a stop or abort in the middle of the store), so that no
// later step can take it for a finished batch. Logs what became of it.
void DiscardBatch(std::unique_ptr<TAnsiTextStream>& AStream, const std::string& APath);

// Moves the batch file into ABackupPath under its archived name. An existing
// copy of that name is never replaced; a failed move leaves the file where
// it was, and nothing is reported. Errors are logged, not raised.
void RenameBatchfile(const std::string& APath, const std::string& ABackupPath,
                     const Clock& AClock = Clock::Current());

// Keeps the kBatchBackupsKept "*.csv" names of ABackupPath that sort last
// without regard to case and deletes the others; a deletion that fails is
// skipped. A folder that cannot be listed raises EInOutError.
void PruneBackups(const std::string& ABackupPath);

}  // namespace lumora
