// The picture engine against baselines in the same run: the scan against a bare recursive
// enumeration of the same tree, and a change against reading and writing the three list files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "pictures/picture_engine.h"
#include "platform/cp1251_codec.h"
#include "platform/desktop_picture.h"
#include "platform/native/native_file_system.h"
#include "platform/native/native_folder_enumerator.h"
#include "platform/native/native_random.h"

namespace orvella {
namespace {

namespace fs = std::filesystem;

class NoDesktop : public DesktopPicture {
public:
    void Set(const std::string&) noexcept override {}
};

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A temporary folder for the whole run, removed at exit.
class BenchFolder {
public:
    BenchFolder() {
        std::random_device random;
        root_ = fs::temp_directory_path() / ("orvella-bench-" + std::to_string(random()));
        fs::create_directories(root_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    const fs::path& Root() const { return root_; }
    std::string Dir() const { return root_.string() + "/"; }

private:
    fs::path root_;
};

// Everything an engine needs natively, with its program folder in `dir`.
struct NativeEngine {
    explicit NativeEngine(const std::string& dir) {
        settings.onlist = true;
        engine.SetProgramFolder(dir, dir + "Orvella.ini");
    }
    NativeFileSystem files;
    Cp1251Codec codec;
    NativeFolderEnumerator folders;
    NoDesktop desktop;
    NativeRandom random;
    RunSettings settings;
    PictureEngine engine{{files, codec, folders, desktop, random}, settings};
};

// 50,000 files in 1,000 folders (10 of 99 subfolders each), a third of them pictures, one in
// ten hidden. Made once for the run.
const BenchFolder& ScanTree() {
    static const BenchFolder folder = [] {
        BenchFolder made;
        const fs::path tree = made.Root() / "tree";
        const char* const kinds[] = {".jpg", ".txt", ".doc", ".BMP", ".png", ".log", ".gif", ".ini", ".pdf"};
        int file = 0;
        for (int top = 0; top < 10; ++top) {
            for (int sub = 0; sub <= 99; ++sub) {
                fs::path at = tree / ("top" + std::to_string(top));
                if (sub > 0) at /= "sub" + std::to_string(sub);
                fs::create_directories(at);
                for (int i = 0; i < 50; ++i, ++file) {
                    const std::string hidden = file % 10 == 0 ? "." : "";
                    WriteText(at / (hidden + "f" + std::to_string(i) + kinds[file % 9]), "");
                }
            }
        }
        WriteText(made.Root() / "ListDir.txt", (tree.string() + "\r\n"));
        WriteText(made.Root() / "Orvella.ini", "[conf]\r\nchkdir=1\r\n");
        return made;
    }();
    return folder;
}

void BM_BareEnumeration(benchmark::State& state) {
    const NativeFolderEnumerator folders;
    const std::string tree = (ScanTree().Root() / "tree").string() + "/";
    for (auto _ : state) {
        std::size_t entries = 0;
        std::function<void(const std::string&)> walk = [&](const std::string& folder) {
            folders.List(folder, [&](const DirEntry& entry) {
                ++entries;
                if (entry.isFolder) walk(folder + entry.name + "/");
            });
        };
        walk(tree);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_BareEnumeration)->Unit(benchmark::kMillisecond);

void BM_ScanPictureFolders(benchmark::State& state) {
    NativeEngine native(ScanTree().Dir());
    for (auto _ : state) {
        native.engine.CreateAllList();
        benchmark::DoNotOptimize(native.engine.ListAll.data());
    }
    state.counters["pictures"] = static_cast<double>(native.engine.ListAll.size());
}
BENCHMARK(BM_ScanPictureFolders)->Unit(benchmark::kMillisecond);

// 100,000 existing pictures in the all file, every other one in the shown file, an empty next
// file: a change with "autoscan" off rebuilds the next list and draws from it.
struct ChoiceFiles {
    BenchFolder folder;
    std::string all;
    std::string shown;
};

const ChoiceFiles& Choice() {
    static const ChoiceFiles files = [] {
        ChoiceFiles made;
        for (int sub = 0; sub < 100; ++sub) {
            const fs::path at = made.folder.Root() / "pics" / ("Folder" + std::to_string(sub));
            fs::create_directories(at);
            for (int i = 0; i < 1000; ++i) {
                const fs::path picture = at / ("Picture " + std::to_string(i) + ".jpg");
                WriteText(picture, "");
                const std::string line = picture.string() + "\r\n";
                made.all += line;
                if (i % 2 == 0) made.shown += line;
            }
        }
        return made;
    }();
    return files;
}

void RestoreChoiceFiles(const ChoiceFiles& choice) {
    WriteText(choice.folder.Root() / "ovListAll.txt", choice.all);
    WriteText(choice.folder.Root() / "ovListNext.txt", "");
    WriteText(choice.folder.Root() / "ovListShown.txt", choice.shown);
}

void BM_ReadWriteListFiles(benchmark::State& state) {
    const ChoiceFiles& choice = Choice();
    NativeEngine native(choice.folder.Dir());
    RestoreChoiceFiles(choice);
    for (auto _ : state) {
        for (const char* name : {"all", "next", "shown"}) native.engine.LoadList(name);
        // What a change leaves: half the pictures to come, half shown.
        native.engine.ListNext.assign(native.engine.ListAll.begin(), native.engine.ListAll.begin() + 50000);
        for (const char* name : {"all", "next", "shown"}) native.engine.SaveList(name);
        state.PauseTiming();
        RestoreChoiceFiles(choice);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadWriteListFiles)->Unit(benchmark::kMillisecond);

void BM_ChangeWithStoredLists(benchmark::State& state) {
    const ChoiceFiles& choice = Choice();
    NativeEngine native(choice.folder.Dir());
    native.settings.autoscan = false;
    RestoreChoiceFiles(choice);
    for (auto _ : state) {
        native.engine.change();
        state.PauseTiming();
        if (native.engine.ListNext.size() != 49999) state.SkipWithError("the change did not draw");
        RestoreChoiceFiles(choice);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChangeWithStoredLists)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvella
