#include "plot/iPlotManagers.h"

#include "plot/iGPPropertyList.h"

#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"
#include "platform/ui/TWinControl.h"

using namespace vcl;

void TiPlotObjectManagerCustom::WriteToStream(TWriter& Writer) const
{
    Writer.SetRootAncestor(FOwner);
    Writer.WriteValue(TValueType::vaCollection);
    for (const TiPlotObject* object : FList) {
        Writer.WriteListBegin();
        iWriteObjectProperties(Writer, object);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void TiPlotObjectManagerCustom::ReadFromStream(TReader& Reader)
{
    Clear();
    if (Reader.NextValue() != TValueType::vaCollection) {
        Reader.SkipValue(); // keeps the stream in step for what follows
        return;
    }
    Reader.ReadValue();
    while (!Reader.EndOfList()) {
        TiPlotObject* object = CreateObject();
        try {
            Reader.ReadListBegin();
            while (!Reader.EndOfList())
                Reader.ReadProperty(*object);
            Reader.ReadListEnd();
        } catch (...) {
            TiPlotObject::Free(object);
            throw;
        }
        object->NotifyInsert();
    }
    Reader.ReadListEnd();
}
