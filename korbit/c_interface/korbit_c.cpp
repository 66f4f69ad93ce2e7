// The functions of include/korbit/korbit.h: each catches everything, so no
// exception reaches a C caller.
#include <new>
#include <string>

#include "include/korbit/korbit.h"
#include "korbit/c_interface/c_descriptions.h"
#include "korbit/c_interface/c_object.h"
#include "korbit/control/values/automation_date.h"
#include "korbit/control/values/host.h"

using namespace korbit;

extern "C" {

korbit_status korbit_date_from_civil(const korbit_civil_time* civil, double* days) {
    if (civil == nullptr || days == nullptr) {
        return KORBIT_E_POINTER;
    }
    const std::optional<control::Date> date = control::fromCivil(
        {civil->year, civil->month, civil->day, civil->hour, civil->minute, civil->second});
    if (!date || date->days < control::kMinDateDays || date->days > control::kMaxDateDays) {
        return KORBIT_E_INVALID_ARG;
    }
    *days = date->days;
    return KORBIT_OK;
}

korbit_status korbit_date_to_civil(double days, korbit_civil_time* civil) {
    if (civil == nullptr) {
        return KORBIT_E_POINTER;
    }
    const std::optional<control::CivilTime> c = control::toCivil(control::Date{days});
    if (!c) {
        return KORBIT_E_INVALID_ARG;
    }
    *civil = {c->year, c->month, c->day, c->hour, c->minute, c->second};
    return KORBIT_OK;
}

korbit_status korbit_create(const char* program_id, korbit_object** object) {
    if (object == nullptr) {
        return KORBIT_E_POINTER;
    }
    *object = nullptr;
    try {
        auto* made = new korbit_object();
        *object = made;
        made->create(program_id != nullptr ? program_id : "");
        return korbit_last_error(made)->status;
    } catch (const std::bad_alloc&) {
        return KORBIT_E_OUT_OF_MEMORY;
    } catch (...) {
        return KORBIT_E_FAIL;
    }
}

void korbit_release(korbit_object* object) {
    if (object != nullptr) {
        object->release();
    }
}

korbit_status korbit_dispatch_id(korbit_object* object, const char* name, int32_t* dispid) {
    if (object == nullptr || name == nullptr || dispid == nullptr) {
        return KORBIT_E_POINTER;
    }
    try {
        return object->dispatchId(name, dispid);
    } catch (const std::bad_alloc&) {
        return KORBIT_E_OUT_OF_MEMORY;
    } catch (...) {
        return KORBIT_E_FAIL;
    }
}

korbit_status korbit_invoke(korbit_object* object, int32_t dispid, korbit_invoke_kind kind, const korbit_value* args,
                            size_t count, const korbit_value** result) {
    if (object == nullptr) {
        return KORBIT_E_POINTER;
    }
    return object->invoke(dispid, kind, args, count, result);
}

korbit_status korbit_call(korbit_object* object, const char* method, const korbit_value* args, size_t count,
                          const korbit_value** result) {
    if (object == nullptr || method == nullptr) {
        return KORBIT_E_POINTER;
    }
    return object->invoke(-1, KORBIT_INVOKE_METHOD, args, count, result, method);
}

const korbit_value* korbit_argument(const korbit_object* object, size_t index) {
    if (object == nullptr || index >= object->last().givenBack.size() || !object->last().givenBack[index]) {
        return nullptr;
    }
    return &*object->last().givenBack[index];
}

const korbit_error* korbit_last_error(const korbit_object* object) {
    static const korbit_error kNoObject{KORBIT_E_POINTER, 0, -1, "There is no object."};
    return object != nullptr ? &object->last().error : &kNoObject;
}

size_t korbit_failure_count(const korbit_object* object) {
    return object != nullptr ? object->last().failures.size() : 0;
}

const korbit_failure* korbit_failure_at(const korbit_object* object, size_t index) {
    if (object == nullptr || index >= object->last().failures.size()) {
        return nullptr;
    }
    return &object->last().failures[index];
}

int32_t korbit_safe_answer(int32_t style) { return control::box::safeAnswer(style); }

korbit_status korbit_set_host(korbit_object* object, const korbit_host* host) {
    if (object == nullptr) {
        return KORBIT_E_POINTER;
    }
    return object->lendHost(host);
}

size_t korbit_member_count(const korbit_object* object) {
    return object != nullptr ? object->members().members().size() : 0;
}

const korbit_member_info* korbit_member(const korbit_object* object, size_t index) {
    if (object == nullptr || index >= object->members().members().size()) {
        return nullptr;
    }
    return &object->members().members()[index];
}

size_t korbit_enumeration_count(void) {
    try {
        return c_interface::enumerationTable().size();
    } catch (...) {
        return 0;
    }
}

const korbit_enumeration_info* korbit_enumeration(size_t index) {
    try {
        const auto& table = c_interface::enumerationTable();
        return index < table.size() ? &table[index] : nullptr;
    } catch (...) {
        return nullptr;
    }
}

size_t korbit_record_type_count(void) {
    try {
        return c_interface::recordTable().size();
    } catch (...) {
        return 0;
    }
}

const korbit_record_info* korbit_record_type(size_t index) {
    try {
        const auto& table = c_interface::recordTable();
        return index < table.size() ? &table[index] : nullptr;
    } catch (...) {
        return nullptr;
    }
}

const char* korbit_version(void) { return KORBIT_VERSION; }

}  // extern "C"
