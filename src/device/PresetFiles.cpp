#include "device/PresetFiles.h"

#include "device/LUnitControl.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <memory>

namespace {

struct FileCloser
{
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool StartsWithIdentity(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= FILE_IDENTITY.size() && std::equal(FILE_IDENTITY.begin(), FILE_IDENTITY.end(), bytes.begin());
}

// Records the failed file and, when the system refused it, the system's reason (errno as it stands).
bool Fail(FileProblem* problem, const std::string& path, bool systemRefused)
{
    const int error = errno;
    if (problem) {
        problem->Path = path;
        problem->Reason = systemRefused && error != 0 ? std::strerror(error) : std::string();
    }
    return false;
}

// Reads at most limit bytes and reports the file's whole length.
bool ReadFileHead(const std::string& path, std::size_t limit, BytePacket& out, std::size_t& length, FileProblem* problem)
{
    errno = 0;
    FilePtr f(std::fopen(path.c_str(), "rb"));
    if (!f)
        return Fail(problem, path, true);
    if (std::fseek(f.get(), 0, SEEK_END) != 0)
        return Fail(problem, path, true);
    const long end = std::ftell(f.get());
    if (end < 0 || std::fseek(f.get(), 0, SEEK_SET) != 0)
        return Fail(problem, path, true);
    length = static_cast<std::size_t>(end);
    out.assign(std::min(length, limit), 0);
    if (std::fread(out.data(), 1, out.size(), f.get()) != out.size())
        return Fail(problem, path, true);
    return true;
}

} // namespace

std::string FileResultSid(FileResult result)
{
    switch (result) {
    case FileResult::ErrorFile:
        return "SID_INFO_ERROR_FILE";
    case FileResult::ErrorDownload:
        return "SID_INFO_ERROR_DOWNLAOD";
    default:
        return {};
    }
}

std::string ApplyFileNameRule(std::string_view chosen, std::string_view letters)
{
    const std::size_t slash = chosen.find_last_of('/');
    const std::size_t baseStart = slash == std::string_view::npos ? 0 : slash + 1;
    std::string lower(letters), upper(letters);
    for (auto& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (auto& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    std::size_t cut = chosen.size();
    for (std::size_t i = baseStart; i < chosen.size(); ++i) {
        if (chosen[i] != '.')
            continue;
        const std::string_view after = chosen.substr(i + 1, letters.size());
        if (after == lower || after == upper) {
            cut = i;
            break;
        }
    }
    return std::string(chosen.substr(0, cut)) + "." + lower;
}

bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes, FileProblem* problem)
{
    // Written beside the file under another name and put in its place only once whole: a write
    // that fails leaves the file as it was.
    const std::string temporary = path + ".part";
    errno = 0;
    std::FILE* raw = std::fopen(temporary.c_str(), "wb");
    if (!raw)
        return Fail(problem, path, true);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
    const bool flushed = written && std::fflush(raw) == 0 && ::fsync(::fileno(raw)) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(raw) == 0;
    if (written && flushed && closed && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    if (!written || !flushed)
        errno = writeError;
    const int error = errno;
    std::remove(temporary.c_str());
    errno = error;
    return Fail(problem, path, true);
}

FileResult SavePresetFile(const LUnitControl& unit, const std::string& chosenName, FileProblem* problem)
{
    if (chosenName.empty())
        return FileResult::Cancelled;
    BytePacket body = unit.PresetToBytes();
    body.push_back(0x0D);
    body.push_back(0x0A);
    return WriteFileBytes(ApplyFileNameRule(chosenName, "prs"), body, problem) ? FileResult::Ok : FileResult::ErrorFile;
}

FileResult ReadPresetFile(const std::string& path, BytePacket& body, FileProblem* problem)
{
    BytePacket bytes;
    std::size_t length = 0;
    if (!ReadFileHead(path, PresetFileSize, bytes, length, problem))
        return FileResult::ErrorFile;
    if (length != PresetFileSize || !StartsWithIdentity(bytes))
        return Fail(problem, path, false), FileResult::ErrorFile;
    body.assign(bytes.begin() + static_cast<std::ptrdiff_t>(FILE_IDENTITY.size()), bytes.end());
    return FileResult::Ok;
}

FileResult OpenPresetFile(LUnitControl& unit, const std::string& path)
{
    BytePacket body;
    const FileResult read = ReadPresetFile(path, body);
    if (read != FileResult::Ok)
        return read;
    return unit.LoadPresetAndSend(body) ? FileResult::Ok : FileResult::ErrorFile;
}

int UnitFileContents::UsedRecordCount() const
{
    return static_cast<int>(std::count_if(Records.begin(), Records.end(), IsUsedRecord));
}

FileResult ReadUnitFile(const std::string& path, UnitFileContents& contents, FileProblem* problem)
{
    BytePacket bytes;
    std::size_t length = 0;
    if (!ReadFileHead(path, UnitFileSize, bytes, length, problem))
        return FileResult::ErrorDownload;
    if (length <= UnitFileRefusedSize || !StartsWithIdentity(bytes))
        return Fail(problem, path, false), FileResult::ErrorDownload;
    UnitFileContents read;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(FILE_IDENTITY.size()), read.Info.size(), read.Info.begin());
    for (std::size_t k = 0; k < UnitRecordCount; ++k) {
        const std::size_t at = UnitHeaderSize + k * UnitRecordSize;
        if (at >= bytes.size())
            break;
        const std::size_t take = std::min(UnitRecordSize, bytes.size() - at);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), take, read.Records[k].begin());
    }
    contents = read;
    return FileResult::Ok;
}
