// String::print lives alone so that only programs that print link the streams.
#include <iostream>

#include "tarn/text.h"

namespace tarn {

void String::print() const { std::cout << text; }

}  // namespace tarn
