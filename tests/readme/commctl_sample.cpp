// The code sample of docs/commctl.md, extracted by the build, as the body of a
// function given the form it names: the commctl-sample test compiles it.
#include <algorithm>
#include <string>
#include <vector>

#include <tarn/tarn.h>

using namespace tarn;

void virtualTableSample(Form& form) {
#include "commctl_sample.inc"
}
