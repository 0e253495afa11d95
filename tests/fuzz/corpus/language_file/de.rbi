<ini device="Rb604">
 <lang>de</lang>
</ini>
