// signrecall: a 3 by 3 grid memory that stores PLUS and MINUS and recalls the nearer one.
#include "console.h"
#include "display.h"
#include "memory.h"
#include "patterns.h"

int main()
{
    PatternVector<9> plus = PLUS;  // BiPolarize works on copies; the tables stay in 0/1 form
    PatternVector<9> minus = MINUS;
    PatternVector<9> test;
    WeightMatrix<9> weights;
    NetVector<9> net;
    RecallVector<9> recalled;

    PrintHeading("PLUS Pattern Vector:");
    Display(plus);
    PrintHeading("MINUS Pattern Vector:");
    Display(minus);
    BiPolarize(plus);
    BiPolarize(minus);
    PrintHeading("BiPolarized PLUS Pattern Vector:");
    Display(plus);
    PrintHeading("BiPolarized MINUS Pattern Vector:");
    Display(minus);

    PrintHeading("Calculating the Weight Matrix...");
    CalculateWeightMatrix({&plus, &minus}, weights);
    PrintHeading("...Weight Matrix Calculated");
    PrintWeightMatrix(weights);

    PrintHeading("Enter Binary Test Pattern:");
    ReadTestPattern(test, "signrecall");
    BiPolarize(test);

    PrintHeading("Evaluating Pattern...");
    EvaluatePattern(weights, test, net, recalled);
    PrintHeading("NET Vector:");
    PrintNetVector(net);
    PrintHeading("Recalled Pattern:");
    Display(recalled);

    PauseConsole();
    return 0;
}
