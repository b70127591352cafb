// Tokenizing a large source file: the figure is bytes per second over a generated unit that
// mixes identifiers, literals of both languages, numbers and the three comment forms.
#include "expert/SourceParser.h"

#include "host/classes/Streams.h"

#include <benchmark/benchmark.h>

namespace {

host::String MakeSource(std::size_t Bytes) {
    host::String S = "unit Generated;\ninterface\nresourcestring\n";
    for (int i = 0; S.size() < Bytes; ++i) {
        const host::String N = std::to_string(i);
        S += "  SMessage" + N + " = 'The file ''" + N + "'' could not be saved.'#13#10'Retry?';\n";
        S += "{ A brace comment about message " + N + " that runs on for a while. }\n";
        S += "procedure TForm" + N + ".Button" + N + "Click(Sender: TObject); // handler\n";
        S += "begin\n  Caption := Format(\"%d of %d\\t\\x41\", [" + N + ", $1F]) + 1.5e3;\n";
        S += "  (* an old-style comment *) Inc(Counter" + N + ", -5);\nend;\n";
    }
    return S;
}

void BM_TokenizeSource(benchmark::State& State) {
    const host::String Source = MakeSource(static_cast<std::size_t>(State.range(0)));
    std::size_t Tokens = 0;
    // The parser gives the stream back at its start, so one stream serves every run.
    host::TStringStream Stream(Source);
    for (auto _ : State) {
        zantor::TSourceParser Parser(&Stream);
        while (Parser.NextToken() != zantor::toEOF)
            ++Tokens;
        benchmark::DoNotOptimize(Tokens);
    }
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * Source.size()));
}

} // namespace

BENCHMARK(BM_TokenizeSource)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
