#pragma once
// Preset (".prs") and whole-unit (".unt") files: identity, sizes, the file-name rule, reading and writing.

#include "device/BytePacket.h"
#include "device/PresetRecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class LUnitControl;

inline constexpr std::string_view FILE_IDENTITY = "*****ZQ9V010****";
inline constexpr std::size_t PresetFileSize = 724;
inline constexpr std::size_t UnitFileSize = 21634;
inline constexpr std::size_t UnitHeaderSize = 34; // identity and device information
inline constexpr std::size_t UnitRecordSize = 720;
inline constexpr std::size_t UnitRecordCount = 30;
// A whole-unit file is accepted for download when it is longer than this.
inline constexpr std::size_t UnitFileRefusedSize = 21573;

enum class FileResult
{
    Ok,
    Cancelled,
    ErrorFile,     // cannot be created, written or read, or not a preset file
    ErrorDownload, // not a whole-unit file
};

// Which file failed, and the system's reason when the system refused it (empty when the file was
// read but is not of the kind asked for).
struct FileProblem
{
    std::string Path;
    std::string Reason;
};

// The message key that reports a result to the user; empty for Ok and Cancelled.
std::string FileResultSid(FileResult result);

// Cuts the file's base name at its first dot followed by the letters (all lower or all upper case),
// then appends the dot and the lower-case letters. Folder names are left alone.
std::string ApplyFileNameRule(std::string_view chosen, std::string_view letters);

// Creates or replaces the file with exactly these bytes.
bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes, FileProblem* problem = nullptr);

// Saves the model's current settings as a preset file under the chosen name (empty: cancelled).
FileResult SavePresetFile(const LUnitControl& unit, const std::string& chosenName, FileProblem* problem = nullptr);

// Reads a preset file: exactly 724 bytes opening with the identity. body = the 708 bytes after it.
FileResult ReadPresetFile(const std::string& path, BytePacket& body, FileProblem* problem = nullptr);

// Reads a preset file and loads it into the model, sending every parameter.
FileResult OpenPresetFile(LUnitControl& unit, const std::string& path);

// A whole-unit file read for download.
struct UnitFileContents
{
    DeviceInfo Info {};
    std::array<std::array<std::uint8_t, UnitRecordSize>, UnitRecordCount> Records {};

    // Records whose byte 1 is 0xFF hold a stored preset.
    static bool IsUsedRecord(const std::array<std::uint8_t, UnitRecordSize>& record) { return record[1] == 0xFF; }
    int UsedRecordCount() const;
};

// Reads a whole-unit file: longer than 21573 bytes, opening with the identity; at most 30 records,
// into slots cleared first (a short last record keeps zero bytes at its end).
FileResult ReadUnitFile(const std::string& path, UnitFileContents& contents, FileProblem* problem = nullptr);
