#include "InternalRegisters.h"

std::vector<InternalVariableRecord>* InternalRegisterTable::ListForCode(int code)
{
    return IsValidDataTypeCode(code) ? &lists_[static_cast<size_t>(code - DataTypeCode::First)] : nullptr;
}

const std::vector<InternalVariableRecord>* InternalRegisterTable::ListForCode(int code) const
{
    return IsValidDataTypeCode(code) ? &lists_[static_cast<size_t>(code - DataTypeCode::First)] : nullptr;
}
