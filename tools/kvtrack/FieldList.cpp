#include "FieldList.h"

std::string FieldList::NextPath() {
    if (frames.empty())
        return "";
    Frame& f = frames.back();
    if (f.bArray)
        return f.Path + '[' + std::to_string(f.NextIndex++) + ']';
    return f.Path.empty() ? key : f.Path + '.' + key;
}

void FieldList::Enter(bool bArray) {
    frames.push_back({NextPath(), bArray});
}
