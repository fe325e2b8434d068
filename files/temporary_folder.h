#pragma once

#include <string>

namespace dw {

// A private folder under the system's temporary directory, removed with everything in it when
// the object goes. The picture stores pass their pictures through files named as in the store
// ("brush0.jpg"); a private folder keeps two runs from using each other's files and leaves
// nothing in the program's folder.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool valid() const { return !path_.empty(); }
    // Path of a file in the folder (the name must not contain a "/"); empty when the folder
    // could not be made, so that nothing lands elsewhere.
    std::string file(const std::string& name) const {
        return path_.empty() ? std::string() : path_ + "/" + name;
    }

  private:
    std::string path_;
};

}  // namespace dw
