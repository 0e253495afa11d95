# Bash completion for orv-rdm-cli: commands, options and the E1.20 parameter names.

_orv_rdm_cli_pids="
    PROXIED_DEVICES PROXIED_DEVICE_COUNT COMMS_STATUS QUEUED_MESSAGE STATUS_MESSAGES
    STATUS_ID_DESCRIPTION CLEAR_STATUS_ID SUB_DEVICE_STATUS_REPORT_THRESHOLD
    SUPPORTED_PARAMETERS PARAMETER_DESCRIPTION DEVICE_INFO PRODUCT_DETAIL_ID_LIST
    DEVICE_MODEL_DESCRIPTION MANUFACTURER_LABEL DEVICE_LABEL FACTORY_DEFAULTS
    LANGUAGE_CAPABILITIES LANGUAGE SOFTWARE_VERSION_LABEL BOOT_SOFTWARE_VERSION_ID
    BOOT_SOFTWARE_VERSION_LABEL DMX_PERSONALITY DMX_PERSONALITY_DESCRIPTION
    DMX_START_ADDRESS SLOT_INFO SLOT_DESCRIPTION DEFAULT_SLOT_VALUE SENSOR_DEFINITION
    SENSOR_VALUE RECORD_SENSORS DEVICE_HOURS LAMP_HOURS LAMP_STRIKES LAMP_STATE
    LAMP_ON_MODE DEVICE_POWER_CYCLES DISPLAY_INVERT DISPLAY_LEVEL PAN_INVERT TILT_INVERT
    PAN_TILT_SWAP REAL_TIME_CLOCK IDENTIFY_DEVICE RESET_DEVICE POWER_STATE PERFORM_SELFTEST
    SELF_TEST_DESCRIPTION CAPTURE_PRESET PRESET_PLAYBACK
"

_orv_rdm_cli()
{
    local current previous command index word
    current=${COMP_WORDS[COMP_CWORD]}
    previous=${COMP_WORDS[COMP_CWORD-1]}

    # The command is the first word that is neither an option nor an option's value.
    command=
    local positional=0
    for ((index = 1; index < COMP_CWORD; index++)); do
        word=${COMP_WORDS[index]}
        case $word in
        --interface | --sub | --data | --interval | --count) ((index++)) ;;
        -*) ;;
        *)
            if [[ -z $command ]]; then
                command=$word
            else
                ((positional++))
            fi
            ;;
        esac
    done

    case $previous in
    --interface | --sub | --data | --interval | --count) return 0 ;;
    esac

    if [[ -z $command ]]; then
        if [[ $current == -* ]]; then
            COMPREPLY=($(compgen -W "--interface --trace --help" -- "$current"))
        else
            COMPREPLY=($(compgen -W "list discover info get set report batch snapshot diff check watch" -- "$current"))
        fi
        return 0
    fi

    local options=
    case $command in
    discover | report | snapshot | check) options="--full" ;;
    diff) options="--json" ;;
    watch) options="--sub --interval --count" ;;
    info) options="--sub" ;;
    get | set) options="--sub --data --json" ;;
    batch) options="--keep-going" ;;
    esac
    if [[ $current == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$current"))
        return 0
    fi

    case $command in
    get | set)
        # Names in either letter case; offered as the tool prints them.
        if ((positional == 1)); then
            COMPREPLY=($(compgen -W "$_orv_rdm_cli_pids" -- "${current^^}"))
        fi
        ;;
    batch | snapshot | diff | check)
        COMPREPLY=($(compgen -f -- "$current"))
        ;;
    esac
    return 0
}

complete -o filenames -F _orv_rdm_cli orv-rdm-cli
