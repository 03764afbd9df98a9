#include "tools/databuild/synth_wma.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

extern char** environ;

namespace databuild::synth {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> WavBytes(const std::vector<std::int16_t>& pcm, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
  const auto sampleRate = static_cast<std::uint32_t>(rate);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, sampleRate);
  Put32(out, sampleRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (std::int16_t s : pcm) Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               std::string* error) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    *error = "cannot write " + path.string();
    return false;
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& path,
                                                  std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path.string();
    return std::nullopt;
  }
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                   std::istreambuf_iterator<char>());
}

bool RunTool(const std::vector<std::string>& argv, std::string* error) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ);
  if (spawned != 0) {
    *error = "cannot start " + argv[0] + ": " + std::strerror(spawned);
    return false;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      *error = "lost " + argv[0] + ": " + std::strerror(errno);
      return false;
    }
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    *error = argv[0] + " failed (status " + std::to_string(status) + ")";
    return false;
  }
  return true;
}

std::vector<std::string> WmaEncodeCommand(const std::filesystem::path& in,
                                          const std::filesystem::path& out) {
  // bitexact keeps encoder version strings and times out of the stream, and
  // dropping metadata keeps the WAV's (none) from leaking in: same WAV, same bytes.
  return {"ffmpeg",        "-hide_banner", "-loglevel", "error",     "-nostdin", "-y",
          "-fflags",       "+bitexact",    "-i",        in.string(), "-c:a",     "wmav2",
          "-b:a",          "64k",          "-flags:a",  "+bitexact", "-fflags",  "+bitexact",
          "-map_metadata", "-1",           out.string()};
}

int WmaBlockSamples(int rate) {
  // The codec's block grows with the rate: 1024 up to 22.05 kHz, 2048 above.
  return rate <= 22050 ? 1024 : 2048;
}

std::vector<std::int16_t> PadForWma(const std::vector<std::int16_t>& pcm, int rate) {
  const auto block = static_cast<std::size_t>(WmaBlockSamples(rate));
  const std::size_t body = (pcm.size() + block - 1) / block * block;
  std::vector<std::int16_t> out(block + body + block, 0);
  std::copy(pcm.begin(), pcm.end(), out.begin() + static_cast<std::ptrdiff_t>(block));
  return out;
}

std::optional<std::vector<std::uint8_t>> EncodeWma(const std::vector<std::int16_t>& pcm, int rate,
                                                   const std::filesystem::path& workDir,
                                                   std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(workDir, ec);
  const std::filesystem::path wav = workDir / "sound.wav";
  const std::filesystem::path wma = workDir / "sound.wma";
  if (!WriteFile(wav, WavBytes(PadForWma(pcm, rate), rate), error)) return std::nullopt;
  if (!RunTool(WmaEncodeCommand(wav, wma), error)) return std::nullopt;
  return ReadFile(wma, error);
}

}  // namespace databuild::synth
