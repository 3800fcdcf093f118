// A fresh program folder for tests that read and write data/ and save/: the test runs inside
// it and the previous working directory comes back afterwards.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace files_test {

class ProgramFolder : public testing::Test {
protected:
    void SetUp() override {
        old_ = std::filesystem::current_path();
        std::string tmpl = (std::filesystem::temp_directory_path() / "ks_files_XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::filesystem::path dir_;

private:
    std::filesystem::path old_;
};

}  // namespace files_test
