#pragma once
// The single table of each service's automatic trigger and status tags. Records that create such
// tags hold the one instance.

class CAutoResource {
public:
    static CAutoResource* GetInstance();

    CAutoResource(const CAutoResource&) = delete;
    CAutoResource& operator=(const CAutoResource&) = delete;

private:
    CAutoResource() = default;
};
