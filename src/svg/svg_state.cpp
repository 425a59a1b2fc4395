#include "svg/svg_state.h"

namespace kt {

Text SvgDocument;
bool EmptyListFlag = false;

void releaseSvgDocument()
{
    Text().swap(SvgDocument);
}

}  // namespace kt
