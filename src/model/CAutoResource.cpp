#include "CAutoResource.h"

CAutoResource* CAutoResource::GetInstance()
{
    static CAutoResource instance;
    return &instance;
}
