#pragma once
// One call of one operation: write the request, log it, post it, log the reply, read it.

#include "SoapReader.h"
#include "SoapWriter.h"
#include "korvaesya.h"

namespace korvaesya::soap {

void invoke(const ServiceSettings &settings, Operation operation, std::initializer_list<Argument> arguments,
            const ResultTarget &target);

} // namespace korvaesya::soap
