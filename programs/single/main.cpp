// recall8 and recall16: one stored pattern, learnt and recalled. The build gives each program
// its own stored_pattern.h, and the neuron count N follows from that table.
#include "console.h"
#include "memory.h"
#include "stored_pattern.h"

int main()
{
    constexpr std::size_t N = kStoredPattern.size();
    PatternVector<N> stored = kStoredPattern;  // learning reads a copy; the table stays as written
    PatternVector<N> test;
    WeightMatrix<N> weights;
    NetVector<N> net;
    RecallVector<N> recalled;

    PrintHeading("Calculating the Weight Matrix...");
    CalculateWeightMatrix({&stored}, weights);
    PrintHeading("...Weight Matrix Calculated");
    PrintWeightMatrix(weights);

    PrintHeading("Enter Binary Test Pattern:");
    ReadTestPattern(test, kProgramName);

    PrintHeading("Evaluating Pattern...");
    EvaluatePattern(weights, test, net, recalled);
    PrintHeading("NET Vector:");
    PrintNetVector(net);
    PrintHeading("RECALLED Vector:");
    PrintRecallVector(recalled);

    PauseConsole();
    return 0;
}
