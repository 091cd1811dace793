#include "engine/n_choose_r.h"

namespace quorvex {

MpInt nChooseR(int n, int k) {
    if (k < 0 || n < k || n > NChooseRMaxN || k > NChooseRMaxK) return MpInt{};
    return mpFromUint64(BinomialTable[n][k]);
}

}  // namespace quorvex
