// Built only by the tests that expect the build to fail: each mistake alone must stop it.
#include "form/controls.h"

namespace linknode {

#if defined(MISTAKE_MisspeltName)
inline constexpr Control<QPushButton> misspelt { "B_ASK_CGF" };
#elif defined(MISTAKE_WrongKind)
inline constexpr Control<QCheckBox> wrongKind { "B_ASK_CFG" };
#elif defined(MISTAKE_MissingArrayElement)
inline constexpr auto missing = LABEL_UDP_TX_MASK(2);
#endif

} // namespace linknode
