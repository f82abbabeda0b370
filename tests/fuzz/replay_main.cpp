// Replays the files of a fuzz target's corpus through the target, without the fuzzing engine: each
// argument is a file or a folder of files. Fails when a property fails (the target aborts) or when
// there is nothing to replay.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg(argv[i]);
    if (fs::is_directory(arg)) {
      for (const fs::directory_entry& e : fs::directory_iterator(arg)) {
        if (e.is_regular_file()) files.push_back(e.path());
      }
    } else if (fs::is_regular_file(arg)) {
      files.push_back(arg);
    } else {
      std::cerr << "no such corpus: " << arg << '\n';
      return 1;
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::cerr << "nothing to replay\n";
    return 1;
  }
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    std::cout << file.filename().string() << " (" << bytes.size() << " bytes)" << std::endl;
    // A copy of exactly the file's size, so that a read past the input is a read past the heap
    // block under AddressSanitizer.
    std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::cout << files.size() << " inputs replayed" << std::endl;
  return 0;
}
