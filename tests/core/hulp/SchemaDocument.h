#pragma once

#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/schema/TSchemaBouwer.h"

#include <gtest/gtest.h>

// A tournament with its document, for the tests of the windows over a built schedule: fill
// the model, then Bouw() puts its schedule into the document as the build button does.
struct SchemaDocument
{
    void Bouw()
    {
        TSchemaBoom nieuw;
        EXPECT_TRUE(TSchemaBouwer(model).BouwSchema(nieuw).Gelukt);
        document.ZetNieuwSchema(std::move(nieuw));
    }

    ToernooiModel model;
    ToernooiDocument document{model};
    const TSchemaBoom& boom = document.Schema();
};
