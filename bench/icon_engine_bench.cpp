// The icon engine against the fake desktop list, beside a bare pass that only moves every item's
// record through the fake, so the ratio shows what the engine adds per icon.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "fakes/fake_collation.h"
#include "fakes/fake_desktop_list.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "icons/icon_engine.h"
#include "icons/layout_text.h"
#include "icons/shell_process_pass.h"
#include "platform/cp1251_codec.h"

namespace orvella {
namespace {

constexpr int kIcons = 2000;

struct Desktop {
    Desktop() {
        desktop.offsetX = 21;
        desktop.offsetY = 4;
        for (int i = 0; i < kIcons; ++i) {
            // Mixed case and Cyrillic, in no sorted order, as a real desktop.
            const std::string caption = (i % 3 == 0 ? "Ярлык " : i % 3 == 1 ? "document " : "Папка ") +
                                        std::to_string((i * 7919) % kIcons);
            desktop.items.push_back({codec.ToAnsi(caption), (i % 40) * 80, (i / 40) * 90});
            // The stored layout in reverse order, shifted, so every icon moves.
            saved.insert(saved.begin(), LayoutLine({caption, (i % 40) * 80 + 5, (i / 40) * 90 + 5}));
        }
    }
    void Forget() {
        desktop.moves.clear();
        desktop.releases.clear();
    }

    Cp1251Codec codec;
    FakeDesktopList desktop;
    FakeDialogs dialogs;
    FakeSystemInfo system;
    FakeCollation collation;
    IconEngine engine{desktop, dialogs, system, codec, collation};
    std::vector<std::string> saved;
};

void BM_BareItemPass(benchmark::State& state) {
    Desktop d;
    for (auto _ : state) {
        ShellProcessPass pass(d.desktop, FakeDesktopList::kListWindow, d.desktop.ownerProcessId, kItemRecord64);
        const int count = d.desktop.ItemCount(FakeDesktopList::kListWindow);
        for (int i = 0; i < count; ++i) benchmark::DoNotOptimize(pass.ReadItem(i));
        pass.Close();
        d.Forget();
    }
    state.SetItemsProcessed(state.iterations() * kIcons);
}

void BM_GetLayout(benchmark::State& state) {
    Desktop d;
    for (auto _ : state) {
        d.engine.GetSetIcon("get");
        benchmark::DoNotOptimize(d.engine.ListCurIcon.data());
        d.Forget();
    }
    state.SetItemsProcessed(state.iterations() * kIcons);
}

void BM_SetLayout(benchmark::State& state) {
    Desktop d;
    for (auto _ : state) {
        d.engine.GetSetIcon("set", d.saved);
        d.Forget();
    }
    state.SetItemsProcessed(state.iterations() * kIcons);
}

BENCHMARK(BM_BareItemPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetLayout)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvella

