#pragma once

// What a long export needs from whoever shows its progress. The writer calls setRange() once,
// then setValue(n) before page n (counted from 1); wasCanceled() is asked right after each
// setValue().
class ExportProgress
{
public:
    virtual ~ExportProgress() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual bool wasCanceled() = 0;
};
